#include "index/SearchAction.h"

#include "index/IndexRecord.h"
#include "index/IndexSearch.h"
#include "platform/Events.h"
#include "platform/ImageList.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "settings/Module1.h"
#include "shell/Form2.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

#include <exception>

namespace
{

constexpr qint64 kFrameMs = 16;

// The list's columns were laid out in twips: "Subject" half the list's width
// plus 2000, "Found at character" the list's width less 90.
void SetResultColumns(QTreeWidget *list)
{
    const double widthTwips = double(list->width()) * platform::kTwipsPerPixel;
    list->clear();
    list->setColumnCount(0);
    list->setHeaderLabels({QStringLiteral("Subject"), QStringLiteral("Found at character")});
    // Both columns keep their widths; the second is not stretched to the edge.
    list->header()->setStretchLastSection(false);
    list->setColumnWidth(0, qRound((widthTwips / 2 + 2000) / platform::kTwipsPerPixel));
    list->setColumnWidth(1, qRound((widthTwips - 90) / platform::kTwipsPerPixel));
}

QVector<IndexHit> Search(const QString &text)
{
    try {
        return SearchIndexFile(Module1::IndexFile, text, Module1::kMaxSearchHits);
    } catch (const std::exception &) {
        // A field too large to hold in memory (an index with an unclosed
        // quote near its start) leaves the search without hits.
        return {};
    }
}

} // namespace

void SearchAction(SearchPanel &ui)
{
    // Enter in the search box is handled while the search lets events run; a
    // second search inside the first would mix the two result lists.
    static bool running = false;
    if (running || Module1::IndexFile.isEmpty())
        return;

    const QString text = TrimSpaces(ui.txtSearchText->text());
    ui.txtSearchText->setText(text);
    if (text.isEmpty()) {
        platform::MsgBox(QStringLiteral("No text to search for!"), platform::MsgExclamation, Module1::AppName);
        return;
    }
    running = true;
    struct Done {
        ~Done() { running = false; }
    } done;

    // The panel's widgets may go with the main window while events run.
    const QPointer<QPushButton> cmdSearch = ui.cmdSearch;
    const QPointer<QPushButton> cmdRead = ui.cmdRead;
    const QPointer<QTreeWidget> lstResults = ui.lstResults;
    const QPointer<QLabel> Label2 = ui.Label2;
    auto alive = [&] { return cmdSearch && cmdRead && lstResults && Label2; };

    cmdSearch->setEnabled(false);
    cmdRead->setEnabled(false);
    ShowProgress(QStringLiteral("Search"), QStringLiteral("Please wait, searching..."), true, true, ui.owner);
    platform::DoEvents();
    if (!alive()) {
        CloseProgress();
        return;
    }

    Module1::SearchHitCount = 0;
    SetResultColumns(lstResults);
    ProgressSetMax(100);
    const QVector<IndexHit> hits = Search(text);
    for (const IndexHit &hit : hits) {
        Module1::SearchHits[Module1::SearchHitCount] = {hit.Subject, hit.Position};
        ++Module1::SearchHitCount;
    }
    ProgressSetValue(100);

    if (Module1::SearchHitCount > 0) {
        ProgressSetMax(Module1::SearchHitCount);
        const QIcon icon(platform::ImageList1(1));
        QList<QTreeWidgetItem *> items;
        int lastListed = -1;
        for (int i = 0; i < Module1::SearchHitCount; ++i) {
            Module1::SearchHit &hit = Module1::SearchHits[i];
            hit.Subject = TrimSpaces(hit.Subject);
            if (!hit.Subject.isEmpty())
                lastListed = i;
        }
        // The file names are known already, so listing takes moments: the
        // window shows the current hit once per frame and the last one, not
        // each of up to 500 that nobody could see.
        QElapsedTimer frame;
        for (int i = 0; i <= lastListed; ++i) {
            const Module1::SearchHit &hit = Module1::SearchHits[i];
            if (hit.Subject.isEmpty())
                continue;
            auto *item = new QTreeWidgetItem({hit.Subject, QString::number(hit.Position)});
            item->setIcon(0, icon);
            item->setData(0, kResultTagRole, hits.at(i).FileName);
            items.append(item);
            if (!frame.isValid() || frame.elapsed() >= kFrameMs || i == lastListed) {
                ProgressSetValue(i);
                ProgressSetStatus(QStringLiteral("Checking server's filename for subject: ") + hit.Subject, true);
                frame.start();
            }
        }
        // Nothing repaints the list before the search ends, so the items go in
        // at once.
        lstResults->addTopLevelItems(items);
    }
    Label2->setText(QStringLiteral("Found: ") + QString::number(Module1::SearchHitCount));

    CloseProgress();
    platform::DoEvents();
    if (alive()) {
        cmdSearch->setEnabled(true);
        cmdRead->setEnabled(false);
    }
}
