// The exceptions that file and memory failures raise. Readers and writers catch CException and
// turn it into a flag; nothing is logged.
#pragma once

#include "platform/base/cstring.h"

class CException {
public:
    virtual ~CException() = default;
};

class CMemoryException : public CException {};

class CFileException : public CException {
public:
    CFileException(int osError, CString fileName)
        : m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    int m_lOsError;  // errno of the failed call
    CString m_strFileName;
};
