// Placeholder until the settings subsystem lands.
#include "settings/Form5.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {
QPointer<Form5> g_form5;
}

Form5::Form5(QWidget *owner) : QDialog(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Edit Proxy Settings"));
}

Form5 *Form5::Get(QWidget *owner)
{
    if (!g_form5)
        g_form5 = new Form5(owner);
    return g_form5;
}

Form5 *Form5::Existing()
{
    return g_form5;
}
