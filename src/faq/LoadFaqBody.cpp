#include "faq/LoadFaqBody.h"

#include "faq/Log.h"
#include "platform/Events.h"
#include "platform/RichTextBox.h"
#include "text/TextFile.h"

#include <QFile>

namespace veldra::faq
{

namespace
{

// Copies the body fields of `doc` into `out`, one line each. Sections are
// concatenated; the marker fields themselves never belong to the body.
bool WriteBody(text::TextFileReader &doc, QFile &out)
{
    bool inBody = false;
    while (!doc.atEnd()) {
        const QString field = ReadTextField(doc);
        // Most fields hold no "[" at all; that test is far cheaper than a
        // search that ignores letter case.
        const bool marker = field.contains(QLatin1Char('['));
        if (marker && field.contains(QLatin1String("[body]"), Qt::CaseInsensitive)) {
            inBody = true;
            continue;
        }
        if (marker && field.contains(QLatin1String("[/body]"), Qt::CaseInsensitive))
            inBody = false;
        if (inBody && !text::WriteTextLine(out, field))
            return false;
    }
    return true;
}

} // namespace

void LoadFaqBody(QString &path, platform::RichTextBox &box)
{
    box.setText(QString());

    text::TextFileReader doc;
    if (!doc.open(path))
        return;
    QFile temp(path + QStringLiteral(".tmp"));
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const bool written = WriteBody(doc, temp);
    temp.close();
    if (!written || temp.error() != QFileDevice::NoError)
        return;

    if (const Status loaded = box.loadFile(temp.fileName()); !loaded) {
        qCDebug(lcFaq) << "body not loaded:" << loaded.error();
        return;
    }
    platform::DoEvents();
    temp.remove();
}

} // namespace veldra::faq
