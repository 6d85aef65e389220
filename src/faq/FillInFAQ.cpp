#include "faq/FaqHeader.h"
#include "faq/HighlightLinks.h"
#include "faq/LoadFaqBody.h"
#include "faq/ReaderPanel.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"

#include <QFile>
#include <QLineEdit>

namespace
{

// The failure path: two boxes, the second with the system's description and no
// title of its own.
void ReportLoadFailure(const QString &description)
{
    platform::MsgBox(QStringLiteral("Could not load ") + Module1::FaqFile, platform::MsgCritical,
                     Module1::AppName + QStringLiteral(" - Error"));
    platform::MsgBox(description, platform::MsgPlain);
}

} // namespace

void FillInFAQ(ReaderPanel &ui)
{
    if (Module1::FaqFile.isEmpty()) {
        ui.txtFAQ->setText(QStringLiteral("No file downloaded"));
        return;
    }

    {
        QFile check(Module1::FaqFile);
        if (!check.open(QIODevice::ReadOnly)) {
            ReportLoadFailure(check.errorString());
            return;
        }
    }

    QString error;
    bool ok = true;
    const FaqHeader header = ReadFaqHeader(Module1::FaqFile, &error, &ok);
    if (!ok) {
        ReportLoadFailure(error);
        return;
    }
    ui.txtSubject->setText(header.Subject);
    ui.txtVersion->setText(header.Version);
    ui.txtAuthor->setText(header.Author);
    ui.txtWebsite->setText(header.AuthorWebsite);

    LoadFaqBody(Module1::FaqFile, *ui.txtFAQ);
    HighlightLinks(*ui.txtFAQ, QStringLiteral("www."));
    HighlightLinks(*ui.txtFAQ, QStringLiteral("http:"));
}
