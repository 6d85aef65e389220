#pragma once

#include <QString>
#include <QVector>

// The state the windows share for the whole life of the process.
namespace Module1
{

extern QString AppName;
extern QString AppDir;    // always ends in "/"
extern QString IndexFile; // AppDir + "script.dat"
extern QString HttpProxy;
extern QString HttpProxyPort;
extern QString FtpProxy;
extern QString FtpProxyPort;
extern QString FaqFile;     // local path of the last document downloaded
extern QString CurrentLink; // word under the pointer in the reader body

struct SearchHit {
    QString Subject;
    qint32 Position = 0;
};
constexpr int kMaxSearchHits = 500;
extern QVector<SearchHit> SearchHits; // room for kMaxSearchHits entries
extern qint16 SearchHitCount;

// The settings store's section that holds the four proxy values.
inline const QString kProxySection = QStringLiteral("Proxy_Settings");

// Sets the names and paths, clears the previous run's work files and reads the
// proxy settings of the current user.
void LoadSettings();
// Deletes the local index and news files; every failure is ignored.
void DeleteWorkFiles();

} // namespace Module1
