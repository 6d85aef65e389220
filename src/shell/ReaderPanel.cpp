#include "shell/ReaderPanel.h"

#include "desktop/Events.h"
#include "document/BoxDocument.h"
#include "faq/BodyDocument.h"
#include "faq/FaqBody.h"
#include "faq/WorkFile.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/Log.h"
#include "text/OrdinaryFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTextDocument>
#include <QThread>

namespace veldra::shell
{

Status FillReaderPanel(ReaderPanel &ui, settings::Module1 &state)
{
    if (state.FaqFile.isEmpty()) {
        ui.txtFAQ->setText(QCoreApplication::translate("Form1", "No file downloaded"));
        return {};
    }

    {
        QFile check;
        if (const Status opened = text::OpenOrdinaryFile(check, state.FaqFile); !opened)
            return opened;
    }

    // Header and body in one read, away from the windows: a long document keeps
    // them busy for a while. Events run meanwhile; when they show something else
    // in the reader (another Read, say), that is newer and this fill gives way.
    const QPointer<richtext::RichTextBox> guard(ui.txtFAQ);
    const int generation = ui.txtFAQ->contentGeneration();
    const QString path = state.FaqFile;
    Result<faq::FaqDocument> read = Error{};
    desktop::RunOffThread([&] { read = faq::ReadFaqDocument(path); });
    if (!guard || ui.txtFAQ->contentGeneration() != generation) {
        qCDebug(lcShell) << "fill from" << path << "given up for a newer one";
        return {};
    }
    if (!read)
        return Error{read.error()};
    const faq::FaqHeader &header = read->header;
    state.FaqFile = header.FileName;
    ui.txtSubject->setText(header.Subject);
    ui.txtVersion->setText(header.Version);
    ui.txtAuthor->setText(header.Author);
    ui.txtWebsite->setText(header.AuthorWebsite);

    // The body with its "www." links marked, then its "http:" links.
    ShowReaderBody(state.FaqFile, std::move(read.value().bodyLines), *ui.txtFAQ,
                   {QStringLiteral("www."), QStringLiteral("http:")});
    qCDebug(lcShell) << "shown" << state.FaqFile;
    return {};
}

void ShowReaderBody(const QString &path, QByteArray bodyLines, richtext::RichTextBox &box,
                    const QStringList &linkPrefixes)
{
    // The document shown before is freed while the new one is made.
    std::unique_ptr<QTextDocument> previous = box.clearAndTakeDocument();
    if (path.isEmpty())
        return;
    const QString workFile = path + QStringLiteral(".tmp");

    // The box shows what the work file holds. The document is made from the
    // bytes just written rather than read back by name, which a file put in the
    // work file's place meanwhile could answer. Writing a large body takes
    // as long as laying it out, so both happen off the window's thread.
    const QPointer<richtext::RichTextBox> guard(&box);
    const int generation = box.contentGeneration();
    const document::DocumentSettings settings = document::SettingsOf(*box.document());
    QThread *const windows = QThread::currentThread();
    faq::BodyDocument body;
    Status written = Error{};
    desktop::RunOffThread(
        [&] {
            written = faq::WriteWorkFile(workFile, bodyLines);
            if (!written)
                return;
            body = faq::BuildBodyDocument(bodyLines, settings, linkPrefixes);
            bodyLines.clear();
            body.doc->moveToThread(windows);
        },
        [&previous] { previous.reset(); });
    if (!written) {
        qCDebug(lcShell) << "no work file" << workFile << ":" << written.error();
        return;
    }
    if (guard && box.contentGeneration() == generation) {
        box.showDocument(std::move(body.doc), body.caret);
        desktop::DoEvents();
    } else {
        qCDebug(lcShell) << "body of" << path << "left unshown: the box shows something newer";
    }
    QFile::remove(workFile);
}

} // namespace veldra::shell
