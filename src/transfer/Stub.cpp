// Placeholder until the transfer engine lands.
#include "transfer/ApplyProxy.h"
#include "transfer/Download.h"
#include "transfer/TransferChannel.h"

struct TransferChannel::Private {
    QString name;
};
TransferChannel::TransferChannel(const QString &name, QObject *parent) : QObject(parent), d(new Private{name}) {}
TransferChannel::~TransferChannel() { delete d; }
QString TransferChannel::name() const { return d->name; }
bool TransferChannel::StillExecuting() const { return false; }
void TransferChannel::setAccessType(int) {}
int TransferChannel::accessType() const { return 0; }
void TransferChannel::setProxy(const QString &) {}
QString TransferChannel::proxy() const { return {}; }
void TransferChannel::setProtocol(int) {}
int TransferChannel::protocol() const { return ProtocolHTTP; }
void TransferChannel::setRequestTimeout(int) {}
int TransferChannel::requestTimeout() const { return 60; }
void TransferChannel::setUrl(const QString &) {}
QString TransferChannel::url() const { return {}; }
bool TransferChannel::OpenURL(const QString &, QString *, QString *error) { *error = QStringLiteral("not built"); return false; }
bool TransferChannel::OpenURLBytes(const QString &, QByteArray *, QString *error) { *error = QStringLiteral("not built"); return false; }
static TransferChannel *g_ftp = nullptr;
void SetFtpChannel(TransferChannel *ftp) { g_ftp = ftp; }
TransferChannel *FtpChannel() { return g_ftp; }
void ApplyProxy(TransferChannel &, const QString &, const QString &) {}
void WaitForTransfer(TransferChannel &) {}
