// What the program knows about the video site's pages and addresses.
#pragma once

#include <string>

// Size of the caller's zero-filled title and query buffers.
const size_t kAnalysisBufferSize = 200;

// Finds the title and the two query values of the download request in a page.
// query and title are the caller's zero-filled kAnalysisBufferSize buffers,
// appended to. True when the title was taken.
bool AnalysePage(const char* pageText, char* query, char* title);

// The saved file's name: the title with ".flv", cleaned of characters that a
// file name can't hold.
std::string MakeVideoFileName(const char* title);

// The download address: scheme and host of the page address, "/get_video?"
// and the query. False when the page address has no host part.
bool MakeVideoAddress(const char* pageAddress, const char* query, std::string& downloadAddress);

// Whether a text looks like the address of a video page.
bool IsVideoPageUrl(const char* text);
