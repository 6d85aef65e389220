#include "shell/SearchAction.h"

#include "desktop/Events.h"
#include "desktop/ImageList.h"
#include "desktop/InputHold.h"
#include "desktop/Layout.h"
#include "desktop/Twips.h"
#include "shell/Log.h"
#include "text/Trim.h"
#include "transfer/Progress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

namespace veldra::shell
{

namespace
{

constexpr qint64 kFrameMs = 16;

// The list's columns were laid out in twips: "Subject" half the list's width
// plus 2000, "Found at character" the list's width less 90. The list is drawn
// at its window's scale, which the twips are converted with.
void SetResultColumns(QTreeWidget *list)
{
    const int placed = desktop::TwipsGeometry(list).width();
    const double widthTwips = placed > 0 ? placed : double(list->width()) * desktop::kTwipsPerPixel;
    const double pixelsPerTwip = widthTwips > 0 ? list->width() / widthTwips : 1.0 / desktop::kTwipsPerPixel;
    list->clear();
    list->setColumnCount(0);
    list->setHeaderLabels(
        {QCoreApplication::translate("Form1", "Subject"), QCoreApplication::translate("Form1", "Found at character")});
    // Both columns keep their widths; the second is not stretched to the edge.
    list->header()->setStretchLastSection(false);
    list->setColumnWidth(0, qRound((widthTwips / 2 + 2000) * pixelsPerTwip));
    list->setColumnWidth(1, qRound((widthTwips - 90) * pixelsPerTwip));
}

} // namespace

SearchAction::SearchAction(transfer::Progress &progress)
    : m_progress(progress)
{
}

SearchOutcome SearchAction::run(const SearchPanel &ui, const QString &indexFile)
{
    // Enter in the search box is handled while the search lets events run; a
    // second search inside the first would mix the two result lists.
    if (m_running || indexFile.isEmpty())
        return SearchOutcome::Skipped;

    const QString text = text::TrimSpaces(ui.txtSearchText->text());
    ui.txtSearchText->setText(text);
    if (text.isEmpty())
        return SearchOutcome::NoText;
    m_running = true;
    struct Done {
        bool &running;
        ~Done() { running = false; }
    } done{m_running};

    // The panel's widgets may go with the main window while events run.
    const QPointer<QPushButton> cmdSearch = ui.cmdSearch;
    const QPointer<QPushButton> cmdRead = ui.cmdRead;
    const QPointer<QTreeWidget> lstResults = ui.lstResults;
    const QPointer<QLabel> Label2 = ui.Label2;
    auto alive = [&] { return cmdSearch && cmdRead && lstResults && Label2; };

    cmdSearch->setEnabled(false);
    cmdRead->setEnabled(false);
    m_progress.ShowProgress(QCoreApplication::translate("Form1", "Search"),
                            QCoreApplication::translate("Form1", "Please wait, searching..."), true, true);
    desktop::DoEvents();
    if (!alive()) {
        m_progress.close();
        return SearchOutcome::Skipped;
    }

    m_count = 0;
    SetResultColumns(lstResults);
    m_progress.setMaximum(100);
    index::SearchResult found;
    if (QFileInfo(indexFile).size() < m_offThreadFrom) {
        // Scanned in moments: a thread of its own would only make the search
        // wait for the system to run it, which on a busy machine is longer.
        found = index::SearchSubjects(indexFile, text);
    } else {
        m_stop = false;
        if (m_offerCancel)
            m_offerCancel(true);
        const desktop::InputHold hold(lstResults);
        desktop::RunOffThread([&] { found = index::SearchSubjects(indexFile, text, &m_stop); });
        if (m_offerCancel)
            m_offerCancel(false);
    }
    if (!alive()) {
        m_progress.close();
        return SearchOutcome::Skipped;
    }
    for (const index::SearchHit &hit : found.hits)
        m_hits[m_count++] = hit;
    m_progress.setValue(100);

    if (m_count > 0) {
        m_progress.setMaximum(m_count);
        const QIcon icon(desktop::ImageList1(1));
        QList<QTreeWidgetItem *> items;
        int lastListed = -1;
        for (int i = 0; i < m_count; ++i)
            if (!m_hits[i].Subject.isEmpty())
                lastListed = i;
        // The file names are known already, so listing takes moments: the
        // window shows the current hit once per frame and the last one, not
        // each of up to 500 that nobody could see.
        QElapsedTimer frame;
        for (int i = 0; i <= lastListed; ++i) {
            const index::SearchHit &hit = m_hits[i];
            if (hit.Subject.isEmpty())
                continue;
            auto *item = new QTreeWidgetItem({index::ShownSubject(hit.Subject), QString::number(hit.Position)});
            item->setIcon(0, icon);
            item->setData(0, kResultTagRole, found.fileNames.at(i));
            items.append(item);
            if (!frame.isValid() || frame.elapsed() >= kFrameMs || i == lastListed) {
                m_progress.setValue(i);
                m_progress.setStatus(index::CheckingText(hit.Subject), true);
                frame.start();
            }
        }
        // Nothing repaints the list before the search ends, so the items go in
        // at once.
        lstResults->addTopLevelItems(items);
    }
    Label2->setText(index::FoundText(m_count));
    if (found.stopped)
        Label2->setText(Label2->text() + QCoreApplication::translate("Form1", " - the search was cancelled"));

    m_progress.close();
    desktop::DoEvents();
    if (alive()) {
        cmdSearch->setEnabled(true);
        cmdRead->setEnabled(false);
    }
    return SearchOutcome::Listed;
}

void SearchAction::cancel()
{
    if (m_running)
        m_stop = true;
}

} // namespace veldra::shell
