#pragma once

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

namespace veldra::index
{

// The search panel's widgets, as the search action drives them.
struct SearchPanel {
    QLineEdit *txtSearchText = nullptr;
    QPushButton *cmdSearch = nullptr;
    QPushButton *cmdRead = nullptr;
    QTreeWidget *lstResults = nullptr;
    QLabel *Label2 = nullptr;
};

// Item data role of lstResults that holds the server file name (the item's tag).
constexpr int kResultTagRole = 0x0100 + 1; // Qt::UserRole + 1

struct SearchHit {
    QString Subject;
    qint32 Position = 0;
};
constexpr int kMaxSearchHits = 500;

enum class SearchOutcome {
    Listed,  // the hits are listed (perhaps none)
    NoText,  // the box held nothing but spaces: the user must be told
    Skipped, // no index, or a search is already running
};

// Looks the search box's text up in the local index and lists the hits. Keeps
// the hits of the last search.
class SearchAction
{
public:
    SearchAction(const QString &indexFile, transfer::Progress &progress);

    SearchOutcome run(const SearchPanel &ui);

    const QVector<SearchHit> &SearchHits() const { return m_hits; }
    qint16 SearchHitCount() const { return m_count; }

private:
    const QString &m_indexFile;
    transfer::Progress &m_progress;
    QVector<SearchHit> m_hits = QVector<SearchHit>(kMaxSearchHits);
    qint16 m_count = 0;
    bool m_running = false;
};

} // namespace veldra::index
