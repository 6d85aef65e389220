#pragma once

// Finds a window's controls by the names they carry.

#include <QByteArray>
#include <QObject>
#include <QString>

namespace testsupport
{

// The child of `window` named `name`, of type W. A missing child ends the test
// run at once: every test that asks for one relies on it.
template <typename W> W *Child(const QObject *window, const char *name)
{
    W *w = window->findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("no control named %s of the expected type in %s", name, qPrintable(window->objectName()));
    return w;
}

} // namespace testsupport
