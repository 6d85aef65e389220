// Placeholder until the links subsystem lands.
#include "links/LinkHandlers.h"

void InstallLinkHandlers(QWidget *, platform::RichTextBox *, QLineEdit *, QLineEdit *, QLineEdit *, QLineEdit *) {}
