// StatusFieldStore.cpp: register fields and status parts with their
// pending flags.
#include "session/StatusFieldStore.h"

namespace {

std::string Cut(const std::string& s, size_t nSize)
{
    return s.size() < nSize ? s : s.substr(0, nSize - 1);
}

}  // namespace

bool CStatusFieldStore::SetRegister(int nField, const std::string& strText)
{
    SField& field = m_register[nField];
    field.strText = Cut(strText, RegisterField(nField).nBufferSize);
    if (field.bPending)
        return false;
    field.bPending = true;
    return true;
}

bool CStatusFieldStore::SetPart(int nPart, const std::string& strText)
{
    SField& part = m_part[nPart];
    std::string strNew = Cut(strText, kStatusPartSize[nPart]);
    if (part.bPending) {
        part.strText = strNew;
        return false;
    }
    if (strNew == part.strText)
        return false;
    part.strText = strNew;
    part.bPending = true;
    return true;
}

std::string CStatusFieldStore::TakeRegister(int nField)
{
    m_register[nField].bPending = false;
    return m_register[nField].strText;
}

std::string CStatusFieldStore::TakePart(int nPart)
{
    m_part[nPart].bPending = false;
    return m_part[nPart].strText;
}

void CStatusFieldStore::ResetPart(int nPart, const std::string& strText)
{
    m_part[nPart].strText = Cut(strText, kStatusPartSize[nPart]);
    m_part[nPart].bPending = false;
}

void CStatusFieldStore::ClearPending()
{
    for (SField& field : m_register)
        field.bPending = false;
    for (SField& part : m_part)
        part.bPending = false;
}
