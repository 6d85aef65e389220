#include "desktop/Events.h"
#include "faq/FaqBody.h"
#include "faq/LoadFaqBody.h"
#include "faq/Log.h"
#include "faq/ReaderPanel.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>

namespace veldra::faq
{

Status FillInFAQ(ReaderPanel &ui, settings::Module1 &state)
{
    if (state.FaqFile.isEmpty()) {
        ui.txtFAQ->setText(QStringLiteral("No file downloaded"));
        return {};
    }

    {
        QFile check(state.FaqFile);
        if (!check.open(QIODevice::ReadOnly))
            return Error{check.errorString()};
    }

    // Header and body in one read, away from the windows: a long document keeps
    // them busy for a while. Events run meanwhile; when they show something else
    // in the reader (another Read, say), that is newer and this fill gives way.
    const QPointer<richtext::RichTextBox> guard(ui.txtFAQ);
    const int generation = ui.txtFAQ->contentGeneration();
    QString path = state.FaqFile;
    Result<FaqDocument> read = Error{};
    desktop::RunOffThread([&] { read = ReadFaqDocument(path); });
    if (!guard || ui.txtFAQ->contentGeneration() != generation) {
        qCDebug(lcFaq) << "fill from" << path << "given up for a newer one";
        return {};
    }
    state.FaqFile = path;
    if (!read)
        return Error{read.error()};
    const FaqHeader &header = read->header;
    ui.txtSubject->setText(header.Subject);
    ui.txtVersion->setText(header.Version);
    ui.txtAuthor->setText(header.Author);
    ui.txtWebsite->setText(header.AuthorWebsite);

    // The body with its "www." links marked, then its "http:" links.
    ShowFaqBody(state.FaqFile, std::move(read.value().bodyLines), *ui.txtFAQ,
                {QStringLiteral("www."), QStringLiteral("http:")});
    qCDebug(lcFaq) << "shown" << state.FaqFile;
    return {};
}

} // namespace veldra::faq
