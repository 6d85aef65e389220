#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

// One transfer channel: fetches whole documents over HTTP, directly or through a
// named proxy. Fetches block the caller but keep the event loop running.
class TransferChannel : public QObject
{
    Q_OBJECT
public:
    enum AccessMode { DefaultAccess = 0, NamedProxy = 2 };
    enum Protocol { ProtocolHTTP = 4 };
    // Codes of StateChanged. Handlers act on StateError only.
    enum State { StateRequesting = 5, StateError = 11, StateResponseCompleted = 12 };
    // Redirects a fetch follows before it gives up.
    static constexpr int kMaxRedirects = 5;

    explicit TransferChannel(const QString &name, QObject *parent = nullptr);
    ~TransferChannel() override;

    QString name() const;
    // True while a request of this channel has not finished.
    bool StillExecuting() const;

    void setAccessType(int mode);
    int accessType() const;
    void setProxy(const QString &hostColonPort);
    QString proxy() const;
    void setProtocol(int protocol);
    int protocol() const;
    // Seconds without any data from the server before a request is given up;
    // 0 waits for ever.
    void setRequestTimeout(int seconds); // initial value 60
    int requestTimeout() const;
    // The text setting callers reset before and after some fetches.
    void setUrl(const QString &url);
    QString url() const;

    // Whole-document fetches. They return only when the document has arrived
    // whole or the request failed; on failure they return false and describe
    // the failure in *error.
    bool OpenURL(const QString &url, QString *text, QString *error); // Windows-1252 text
    bool OpenURLBytes(const QString &url, QByteArray *bytes, QString *error);

signals:
    void StateChanged(int state);

private:
    bool Fetch(const QString &url, QByteArray *body, QString *error);

    struct Private;
    Private *d;
};

// The FTP channel that every wait hands the FTP proxy settings to.
void SetFtpChannel(TransferChannel *ftp);
TransferChannel *FtpChannel();
