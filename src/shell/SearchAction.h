#pragma once

#include "index/SubjectSearch.h"

#include <QString>
#include <QVector>

#include <atomic>
#include <functional>

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
// hits of the last search. A large index is scanned on a thread of its own,
// so the windows repaint meanwhile; input to the main window waits for the end,
// and the progress window's Cancel ends the search early.
class SearchAction
{
public:
    explicit SearchAction(transfer::Progress &progress);

    SearchOutcome run(const SearchPanel &ui, const QString &indexFile);
    // Ends the scan of the running search; the search then lists nothing.
    void cancel();
    bool running() const { return m_running; }
    // Called with true when the scan starts and false when it ends, to offer
    // Cancel meanwhile.
    void setCancelOffer(std::function<void(bool)> offer) { m_offerCancel = std::move(offer); }
    // Indexes from this size on are scanned on a thread of their own; smaller
    // ones are scanned in a few frames' time, however alike their records.
    static constexpr qint64 kOffThreadFrom = qint64(16) * 1024 * 1024;
    void setOffThreadFrom(qint64 bytes) { m_offThreadFrom = bytes; }

    const QVector<index::SearchHit> &SearchHits() const { return m_hits; }
    qint16 SearchHitCount() const { return m_count; }

private:
    transfer::Progress &m_progress;
    QVector<index::SearchHit> m_hits = QVector<index::SearchHit>(index::kMaxSearchHits);
    qint16 m_count = 0;
    bool m_running = false;
    std::atomic<bool> m_stop{false};
    std::function<void(bool)> m_offerCancel;
    qint64 m_offThreadFrom = kOffThreadFrom;
};

} // namespace veldra::shell
