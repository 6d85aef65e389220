#include "faq/FaqHeader.h"
#include "faq/HighlightLinks.h"
#include "faq/LoadFaqBody.h"
#include "faq/Log.h"
#include "faq/ReaderPanel.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"

#include <QFile>
#include <QLineEdit>

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

    const Result<FaqHeader> header = ReadFaqHeader(state.FaqFile);
    if (!header)
        return Error{header.error()};
    ui.txtSubject->setText(header->Subject);
    ui.txtVersion->setText(header->Version);
    ui.txtAuthor->setText(header->Author);
    ui.txtWebsite->setText(header->AuthorWebsite);

    LoadFaqBody(state.FaqFile, *ui.txtFAQ);
    HighlightLinks(*ui.txtFAQ, QStringLiteral("www."));
    HighlightLinks(*ui.txtFAQ, QStringLiteral("http:"));
    qCDebug(lcFaq) << "shown" << state.FaqFile;
    return {};
}

} // namespace veldra::faq
