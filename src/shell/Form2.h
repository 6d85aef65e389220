#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The progress window: caption, a status line and an optional bar. There is at
// most one; closing destroys it and the next use creates it afresh.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    // The window, created (hidden) when it does not exist.
    static Form2 *Get(QWidget *owner = nullptr);
    // The window if it exists, else nullptr.
    static Form2 *Existing();

    QLabel *Status;
    QProgressBar *Prog;

    // Outer height in twips as last set by ShowProgress (0 until then).
    int outerHeightTwips() const { return m_outerTwips; }
    void setOuterHeightTwips(int twips);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit Form2(QWidget *owner);
    int m_outerTwips = 0;
};

// Opens the progress window or brings it up again. An empty status keeps the
// current status line; showing the bar resets it to 0 and makes the window taller.
void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar, QWidget *owner);

// What long operations do with the window while it exists. When the user has
// closed it, these do nothing.
void ProgressSetValue(int value);
void ProgressSetMax(int max);
void ProgressSetStatus(const QString &text, bool repaintNow = false);
void CloseProgress();
