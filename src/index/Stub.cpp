// Placeholder until the index subsystem lands.
#include "index/DownloadIndex.h"
#include "index/SearchAction.h"

void DownloadIndex(TransferChannel &) {}
void SearchAction(SearchPanel &) {}
