// Writes the current page of the page store as a baseline TIFF (see
// TiffLayout.h) into a file object, streaming: the head is written once, then
// each chunk of rows is read into one buffer of at most 131072 bytes, packed
// to TIFF rows in place and appended. The page is never held whole and no
// intermediate file is made.
#pragma once

#include <cstdint>
#include <functional>

#include "transfer/BitmapFile.h"
#include "transfer/TiffLayout.h"

class CPageStore;

// Reads up to `rows` rows, top row first, each `PaddedRowBytes` long (a DIB
// row: padded to 4 bytes, colour in red-green-blue order) into `buffer`;
// returns a scan status code and how many rows were delivered in `got`.
using TiffRowReader = std::function<int32_t(uint8_t* buffer, uint32_t rows, uint32_t* got)>;

// The page from `read` in chunks of `chunkRows` rows (also the strip size);
// 0 on success, else a scan status code (3 file error, 4 not a page or out of
// memory, 1 when the reader stops delivering, or the reader's own code).
int WriteTiff(CBitmapFile& file, const TiffPage& page, uint32_t chunkRows, const TiffRowReader& read);

// The current page of `store` (of the module's store).
int WriteTiff(CBitmapFile& file, CPageStore& store);
int WriteTiff(CBitmapFile& file);
