#include "desktop/Layout.h"

#include "desktop/Twips.h"

#include <QVariant>

namespace veldra::desktop
{

namespace
{

// Properties a control carries: its place in twips, and whether it grows to
// fit its text. Its window's canvas carries the scale it is drawn at.
constexpr char kTwipsProperty[] = "veldraTwips";
constexpr char kFitTextProperty[] = "veldraFitText";
constexpr char kScaleXProperty[] = "veldraPixelsPerTwipX";
constexpr char kScaleYProperty[] = "veldraPixelsPerTwipY";

void Draw(QWidget *w, const QRect &twips, double sx, double sy)
{
    QRect r = ScaleTwipsRect(twips, sx, sy);
    if (w->property(kFitTextProperty).toBool())
        r.setSize(r.size().expandedTo(w->sizeHint()));
    w->setGeometry(r);
}

} // namespace

QRect TwipsGeometry(const QWidget *w)
{
    return w->property(kTwipsProperty).toRect();
}

void SetTwipsGeometry(QWidget *w, const QRect &twips)
{
    w->setProperty(kTwipsProperty, twips);
    double sx = 0, sy = 0;
    for (const QWidget *p = w->parentWidget(); p && sx <= 0; p = p->parentWidget()) {
        sx = p->property(kScaleXProperty).toDouble();
        sy = p->property(kScaleYProperty).toDouble();
    }
    if (sx <= 0 || sy <= 0)
        sx = sy = PixelsPerTwip();
    Draw(w, twips, sx, sy);
}

void ApplyTwipsLayout(QWidget *root, double sx, double sy)
{
    root->setProperty(kScaleXProperty, sx);
    root->setProperty(kScaleYProperty, sy);
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (QWidget *w : children) {
        const QVariant twips = w->property(kTwipsProperty);
        if (twips.isValid())
            Draw(w, twips.toRect(), sx, sy);
    }
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setProperty(kFitTextProperty, !text.isEmpty());
    return Place(label, name, left, top, width, height);
}

} // namespace veldra::desktop
