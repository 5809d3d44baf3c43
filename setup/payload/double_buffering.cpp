#include "setup/payload/double_buffering.h"

#include <cstring>

#include "setup/payload/file_crypt_error.h"

namespace {
const char kBadStream[] = "CDoubleBuffering: Referenced File not Opened or in Bad State!";
}

CDoubleBuffering::CDoubleBuffering(std::ifstream& in, unsigned char* buffer, int size, int defaultChunk)
    : m_in(in),
      m_iSize(size),
      m_iHalf(size / 2),
      m_iChunk(defaultChunk),
      m_iPos(0),
      m_iEnd(0),
      m_bSecondHalf(true),  // so the first fill goes to the first half
      m_pBuffer(buffer),
      m_bEof(false),
      m_iAvailable(0) {
    if (size % 2 != 0) throw FileCryptError("CDoubleBuffering: m_iSize should be Even Number!");
    if (!in.is_open() || in.bad()) throw FileCryptError(kBadStream);
    if (buffer == nullptr || defaultChunk < 1 || defaultChunk > m_iHalf)
        throw FileCryptError("CDoubleBuffering: Illegal Construction Data!");
    FillNextHalf();
}

void CDoubleBuffering::FillNextHalf() {
    // Only called when fewer bytes than a half are unread, and those all sit in
    // the half filled last, so the other half is free.
    const int start = m_bSecondHalf ? 0 : m_iHalf;
    m_in.read(reinterpret_cast<char*>(m_pBuffer + start), m_iHalf);
    const int got = static_cast<int>(m_in.gcount());
    // A read error must not pass for the end of the file: the output would be
    // silently cut short.
    if (m_in.bad()) throw FileCryptError(kBadStream);
    if (got < m_iHalf) m_bEof = true;
    m_bSecondHalf = !m_bSecondHalf;
    m_iEnd = start + got;
    m_iAvailable += got;
}

int CDoubleBuffering::GetData(unsigned char* out, int iDataLen) {
    if (iDataLen == -1) iDataLen = m_iChunk;
    if (iDataLen == 0 || iDataLen < -1 || iDataLen > m_iHalf)
        throw FileCryptError("CDoubleBuffering::GetData(): Illegal iDataLen!");
    if (m_iAvailable < iDataLen && !m_bEof) FillNextHalf();

    const int n = m_iAvailable < iDataLen ? m_iAvailable : iDataLen;
    // The chunk may run from the end of the second half into the first.
    const int first = n < m_iSize - m_iPos ? n : m_iSize - m_iPos;
    std::memcpy(out, m_pBuffer + m_iPos, static_cast<size_t>(first));
    if (n > first) std::memcpy(out + first, m_pBuffer, static_cast<size_t>(n - first));
    m_iPos = (m_iPos + n) % m_iSize;
    m_iAvailable -= n;
    return n;
}
