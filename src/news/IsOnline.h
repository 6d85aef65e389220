#pragma once

// Whether an internet connection is up, for the news download.
bool IsOnline();
