#include "store/StorePath.h"

#include <QStandardPaths>

namespace veldra::store
{

QString DefaultStorePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Veldra/Library/library.sqlite");
}

} // namespace veldra::store
