// Writes the current page of the page store as a bottom-up DIB into a file
// object: BITMAPFILEHEADER (file transfers only), BITMAPINFOHEADER, the
// palette (black and white for 1 bit, 256 greys for 8 bits) and the rows,
// the last scanned row first, 24-bit pixels in blue-green-red order.
//
// Method: the file is sized first, so that a memory file is allocated once;
// then the page is read in chunks of an odd number of rows, each chunk's rows
// reversed in the buffer (and red and blue swapped), and written with one
// seek and one write at its place counted from the end of the file. The page
// is never held whole.
#pragma once

#include <cstdint>

#include "transfer/BitmapFile.h"

class CPageStore;

// WriteBitmapHeader results.
enum BitmapHeaderResult : int { kHeaderWritten = 1, kHeaderFileError = 0, kHeaderFailed = -1 };

// Sizes the file to the whole bitmap and writes its headers and palette.
int WriteBitmapHeader(CBitmapFile& file, uint32_t bitsPerPixel, uint32_t resolution, uint32_t width,
                      uint32_t length, bool withFileHeader);

// Writes the page; 0 on success, else a scan status code (2 cancelled, 3 file
// error, 4 out of memory, 1 or 7 from the sources).
int WriteBitmap(CBitmapFile& file, bool withFileHeader, CPageStore& store);
int WriteBitmap(CBitmapFile& file, bool withFileHeader);

// Reverses the order of `rows` rows lying `rowBytes` apart; for 24 bits also
// swaps the first and third byte of each of the `width` pixels.
void FlipChunk(uint8_t* rows, uint32_t count, uint32_t rowBytes, uint32_t width, uint32_t bitsPerPixel);
