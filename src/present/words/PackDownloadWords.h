#pragma once
// The line of the Options window that follows a pack download: while it runs, once the pack is
// installed, and when it could not be had. "%1" stands for the pack's file name.

#include "present/words/Words.h"

namespace zendral {

extern const TWordRow kWordPackDownloading;     // Downloading %1…
extern const TWordRow kWordPackInstalled;       // %1 is installed.
extern const TWordRow kWordPackDownloadFailed;  // %1 could not be downloaded. …

}  // namespace zendral
