// A memory device context compatible with another (null: the screen),
// deleted with the object.
#pragma once

#include "framework/DC.h"

class CMemoryDC : public CDC {
public:
    explicit CMemoryDC(HDC compatibleWith) { CreateCompatibleDC(compatibleWith); }
    explicit CMemoryDC(CDC* pCompatibleWith) { CreateCompatibleDC(pCompatibleWith); }
};
