#include "shell/Form1.h"

#include "desktop/Reporter.h"
#include "faq/DownloadFaq.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/DesktopReporter.h"
#include "shell/FullTextList.h"
#include "shell/ReaderTools.h"
#include "shell/SearchAction.h"
#include "transfer/Channels.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeWidget>

namespace veldra::shell
{

using desktop::MsgBoxStyle;

void Form1::cmdRead_Click()
{
    // A second Read while a download runs would download the same file inside
    // the first; it is ignored.
    if (m_reading)
        return;
    QTreeWidgetItem *item = lstResults->currentItem();
    const QStringList words = item ? item->data(0, kResultWordsRole).toStringList() : QStringList();
    ReadDocument(item ? item->data(0, kResultTagRole).toString() : QString(), words);
}

void Form1::ReadDocument(const QString &fileName, const QStringList &hitWords)
{
    if (m_reading || fileName.isEmpty())
        return;
    m_reading = true;
    m_cancelled = false;
    const Result<QString> localCopy = faq::DownloadFaq(*m_net, m_state, fileName, m_progress);
    m_reading = false;
    if (m_closing)
        return;
    if (!localCopy && m_cancelled) {
        // The user's own act: the count under the search box says so, no box does.
        Label2->setText(m_searchCount +
                        QCoreApplication::translate("Form1", " - the download of %1 was cancelled").arg(fileName));
        return;
    }
    if (!localCopy) {
        m_reporter.MsgBox(ConnectionErrorText(localCopy.error()), MsgBoxStyle::Critical, ErrorTitle(m_state.AppName));
        if (ShowOfflineCopy(fileName))
            OpenFindWithHitWords(hitWords);
        return;
    }
    m_state.FaqFile = localCopy.value();
    m_readFile = fileName;
    lblOfflineCopy->hide();
    SelectNode(TVNode(4));
    // The reader is what the user asked for: Page Down and the arrows move
    // through the document at once.
    txtFAQ->setFocus(Qt::OtherFocusReason);
    m_tools->documentRead(m_state.FaqFile);
    IndexAfterRead(fileName, localCopy.value());
    OpenFindWithHitWords(hitWords);
}

} // namespace veldra::shell
