// Reads an open file in fixed-size chunks through a caller's buffer of two
// halves: one half is refilled while the chunk being served may still reach
// back into the other, so every chunk but the last has the requested length
// and memory stays at the buffer size whatever the file size.
#pragma once
#include <fstream>

class CDoubleBuffering {
public:
    // `buffer` holds `size` bytes and must outlive this object; `size` is even
    // and 1 <= defaultChunk <= size / 2. Reads the first half at once.
    CDoubleBuffering(std::ifstream& in, unsigned char* buffer, int size, int defaultChunk);
    CDoubleBuffering(const CDoubleBuffering&) = delete;
    CDoubleBuffering& operator=(const CDoubleBuffering&) = delete;

    // Copies the next chunk of `iDataLen` bytes (-1: the default length) into
    // `out` and returns its length: less than asked only for the last chunk,
    // 0 once the file is used up.
    int GetData(unsigned char* out, int iDataLen = -1);

private:
    void FillNextHalf();

    std::ifstream& m_in;
    int m_iSize;
    int m_iHalf;
    int m_iChunk;
    int m_iPos;         // read position in the buffer
    int m_iEnd;         // end of the valid data, as a buffer position
    bool m_bSecondHalf; // the half last filled is the second one
    unsigned char* m_pBuffer;
    bool m_bEof;
    int m_iAvailable;   // bytes between m_iPos and m_iEnd
};
