#include "settings/Module1.h"

namespace Module1 {

QString AppName;
QString AppDir;
QString IndexFile;
QString HttpProxy;
QString HttpProxyPort;
QString FtpProxy;
QString FtpProxyPort;
QString FaqFile;
QString CurrentLink;
QVector<SearchHit> SearchHits(kMaxSearchHits);
qint16 SearchHitCount = 0;

} // namespace Module1
