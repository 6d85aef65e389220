#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TransferChannel;
namespace platform {
class RichTextBox;
}

// The main window: navigation tree and info box on the left, the news, search
// and reader panels stacked on the right. Its load step runs the start-up.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // The window, created when it does not exist (without running its load step).
    static Form1 *Get();
    static Form1 *Existing();

    // The start-up sequence; run once before the window is first shown.
    void Form_Load();

    void SetTVNodes();
    void TV_NodeClick(QTreeWidgetItem *Node);
    // The tree's node by its position in the order the nodes were added (from 1).
    QTreeWidgetItem *TVNode(int position) const;
    // Text of the about box.
    static QString AboutText();

    void cmdSearch_Click();
    void cmdRead_Click();
    void cmdExtraFunctions_Click();
    void FillInFAQ();

    // Left column.
    QGroupBox *Frame2;
    QTreeWidget *TV;
    QGroupBox *Frame1;
    QLabel *Picture1;
    QLabel *Label3;
    QLabel *Info;
    // News panel.
    QGroupBox *frameNews;
    platform::RichTextBox *News;
    // Search panel.
    QGroupBox *frameSearchOnline;
    QLabel *Label1;
    QLineEdit *txtSearchText;
    QPushButton *cmdSearch;
    QTreeWidget *lstResults;
    QLabel *Label2;
    QPushButton *cmdRead;
    // Reader panel.
    QGroupBox *frameReader;
    QLabel *Label5, *Label4, *Label6, *Label7;
    QLineEdit *txtSubject, *txtAuthor, *txtWebsite, *txtVersion;
    QPushButton *cmdExtraFunctions;
    platform::RichTextBox *txtFAQ;
    // Transfer channels.
    TransferChannel *HTTP;
    TransferChannel *FTP;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form1();
    void BuildLayout();
    void HTTP_StateChanged(int State);
    void FTP_StateChanged(int State);
    QList<QTreeWidgetItem *> m_nodes; // in the order they were added
};
