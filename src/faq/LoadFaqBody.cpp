#include "faq/LoadFaqBody.h"

#include "desktop/Events.h"
#include "faq/BodyDocument.h"
#include "faq/FaqBody.h"
#include "faq/Log.h"
#include "faq/WorkFile.h"
#include "richtext/RichTextBox.h"
#include "text/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextDocument>
#include <QThread>

namespace veldra::faq
{

void LoadFaqBody(QString &path, richtext::RichTextBox &box)
{
    box.setText(QString());
    text::TextFileReader doc;
    if (!doc.open(path))
        return;
    ShowFaqBody(path, ReadBodyLines(doc), box, {});
}

void ShowFaqBody(const QString &path, QByteArray bodyLines, richtext::RichTextBox &box, const QStringList &linkPrefixes)
{
    // The document shown before is freed while the new one is made.
    std::unique_ptr<QTextDocument> previous = box.clearAndTakeDocument();
    const QString workFile = path + QStringLiteral(".tmp");
    if (const Status written = WriteWorkFile(workFile, bodyLines); !written) {
        qCDebug(lcFaq) << "no work file" << workFile << ":" << written.error();
        return;
    }

    // The box shows what the work file holds. The document is made from the
    // bytes just written rather than read back by name, which a file put in the
    // work file's place meanwhile could answer.
    const QPointer<richtext::RichTextBox> guard(&box);
    const int generation = box.contentGeneration();
    const document::DocumentSettings settings = document::SettingsOf(*box.document());
    QThread *const windows = QThread::currentThread();
    BodyDocument body;
    desktop::RunOffThread(
        [&] {
            body = BuildBodyDocument(bodyLines, settings, linkPrefixes);
            bodyLines.clear();
            body.doc->moveToThread(windows);
        },
        [&previous] { previous.reset(); });
    if (guard && box.contentGeneration() == generation) {
        box.showDocument(std::move(body.doc), body.caret);
        desktop::DoEvents();
    } else {
        qCDebug(lcFaq) << "body of" << path << "left unshown: the box shows something newer";
    }
    QFile::remove(workFile);
}

} // namespace veldra::faq
