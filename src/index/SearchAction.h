#pragma once

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

// The search panel's widgets, as the search action drives them.
struct SearchPanel {
    QLineEdit *txtSearchText = nullptr;
    QPushButton *cmdSearch = nullptr;
    QPushButton *cmdRead = nullptr;
    QTreeWidget *lstResults = nullptr;
    QLabel *Label2 = nullptr;
    QWidget *owner = nullptr; // the main window
};

// Item data role of lstResults that holds the server file name (the item's tag).
constexpr int kResultTagRole = 0x0100 + 1; // Qt::UserRole + 1

// Looks the box's text up in the local index and lists the hits.
void SearchAction(SearchPanel &ui);
