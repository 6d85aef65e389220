// Placeholder until the reader lands.
#include "faq/ReaderPanel.h"

void FillInFAQ(ReaderPanel &) {}
bool DownloadFaq(TransferChannel &, const QString &, const QString &, QWidget *) { return false; }
