#pragma once

#include "index/SubjectSearch.h"

#include <QString>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace veldra::transfer
{
class Progress;
}

namespace veldra::shell
{

// The search panel's widgets, as the search action fills them.
struct SearchPanel {
    QLineEdit *txtSearchText = nullptr;
    QPushButton *cmdSearch = nullptr;
    QPushButton *cmdRead = nullptr;
    QTreeWidget *lstResults = nullptr;
    QLabel *Label2 = nullptr;
};

// Item data role of lstResults that holds the server file name (the item's tag).
constexpr int kResultTagRole = 0x0100 + 1; // Qt::UserRole + 1

enum class SearchOutcome {
    Listed,  // the hits are listed (perhaps none)
    NoText,  // the box held nothing but spaces: the user must be told
    Skipped, // no index, or a search is already running
};

// The search button's work on the panel: looks the box's text up in the local
// index and lists the hits, with the progress window showing it. Keeps the
// hits of the last search.
class SearchAction
{
public:
    explicit SearchAction(transfer::Progress &progress);

    SearchOutcome run(const SearchPanel &ui, const QString &indexFile);

    const QVector<index::SearchHit> &SearchHits() const { return m_hits; }
    qint16 SearchHitCount() const { return m_count; }

private:
    transfer::Progress &m_progress;
    QVector<index::SearchHit> m_hits = QVector<index::SearchHit>(index::kMaxSearchHits);
    qint16 m_count = 0;
    bool m_running = false;
};

} // namespace veldra::shell
