#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace veldra::shell
{

// The progress window: caption, a status line and an optional bar. Closing it
// unloads it; ProgressWindow creates the next one.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(QWidget *owner);

    void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar);
    void setValue(int value);
    void setMaximum(int maximum);
    void setStatus(const QString &text, bool repaintNow);

    // Outer height in twips as last set by ShowProgress (0 until then).
    int outerHeightTwips() const { return m_outerTwips; }

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setOuterHeightTwips(int twips);

    QLabel *Status;
    QProgressBar *Prog;
    int m_outerTwips = 0;
};

} // namespace veldra::shell
