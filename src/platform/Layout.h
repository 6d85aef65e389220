#pragma once

#include "platform/Twips.h"

#include <QLabel>
#include <QString>

namespace veldra::platform
{

// Names a control and puts it where the window's layout, in twips, says.
template <typename W> W *Place(W *w, const char *name, int left, int top, int width, int height)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(TwipsRect(left, top, width, height));
    return w;
}

// A caption at its place. The layout was made for a narrower font than the
// desktop's, so a caption grows to fit its text and is never cut short.
inline QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                         int height)
{
    auto *label = Place(new QLabel(text, parent), name, left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!text.isEmpty())
        label->resize(label->size().expandedTo(label->sizeHint()));
    return label;
}

} // namespace veldra::platform
