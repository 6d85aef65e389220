#pragma once

#include <QObject>

namespace veldra::richtext
{

class RichTextBox;

// Zooms a rich-text box's text in steps, as a browser zooms a page: the text
// with a size of its own and the box's default text alike. Ctrl and the mouse
// wheel zoom here; the window maps its keys to zoomIn, zoomOut and reset. The
// zoom stays while other documents are loaded; call apply() after each load.
class TextZoom : public QObject
{
public:
    explicit TextZoom(RichTextBox *box);

    void zoomIn();
    void zoomOut();
    void reset();
    int percent() const { return m_percent; }

    // Draws the box's present document at the zoom.
    void apply();

    // The zoom steps, in percent.
    static const QList<int> &Steps();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPercent(int percent);

    RichTextBox *m_box;
    int m_percent = 100;
    qreal m_basePointSize; // of the box's font at 100 %
    bool m_settingFont = false;
};

} // namespace veldra::richtext
