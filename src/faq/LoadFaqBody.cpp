#include "faq/LoadFaqBody.h"

#include "faq/FaqBody.h"
#include "faq/Log.h"
#include "faq/WorkFile.h"
#include "platform/Events.h"
#include "platform/RichTextBox.h"
#include "text/TextFile.h"

#include <QFile>

namespace veldra::faq
{

void LoadFaqBody(QString &path, platform::RichTextBox &box)
{
    box.setText(QString());
    text::TextFileReader doc;
    if (!doc.open(path))
        return;
    const QString workFile = path + QStringLiteral(".tmp");
    if (const Status written = WriteWorkFile(workFile, ReadBodyLines(doc)); !written) {
        qCDebug(lcFaq) << "no work file" << workFile << ":" << written.error();
        return;
    }
    if (const Status loaded = box.loadFile(workFile); !loaded) {
        qCDebug(lcFaq) << "body not loaded:" << loaded.error();
        return;
    }
    platform::DoEvents();
    QFile::remove(workFile);
}

} // namespace veldra::faq
