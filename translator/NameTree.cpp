#include "NameTree.h"

#include <cstdint>
#include <string>
#include <vector>

struct CNameTree::CNameNode {
    std::string scrambled;
    std::string key; // the key itself, to tell apart keys that scramble alike
    int nValue = 0;
    CNameNode* pOther = nullptr;
    CNameNode* pLess = nullptr;
};

namespace {

// The generator of the Windows C runtime's rand/srand: the tree's order
// follows its sequence.
struct Lcg {
    uint32_t state = 0;
    void Seed(uint32_t s) { state = s; }
    int Draw()
    {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    }
};

// Short keys stay in the string's own buffer: no allocation per lookup.
std::string Scramble(std::string_view key)
{
    Lcg lcg;
    lcg.Seed(100);
    for (char c : key) {
        int r = lcg.Draw();
        lcg.Seed(uint32_t(int32_t(r) * int32_t(int8_t(c))));
    }
    std::string s(key);
    for (char& c : s)
        c = char((unsigned char)c ^ (unsigned char)(lcg.Draw() & 0xFF));
    return s;
}

} // namespace

CNameTree::~CNameTree()
{
    RemoveAll();
}

bool CNameTree::FindOrAdd(std::string_view key, bool bFindOnly)
{
    const std::string s = Scramble(key);
    CNameNode** link = &m_pRoot;
    while (CNameNode* node = *link) {
        if (node->key.size() != key.size()) {
            link = &node->pOther;
            continue;
        }
        if (node->key == key) {
            m_pCurrent = node;
            return true;
        }
        // Bytes compare unsigned; equal scrambled bytes with a different
        // key go to the other side.
        link = s.compare(node->scrambled) < 0 ? &node->pLess : &node->pOther;
    }
    if (bFindOnly) {
        m_pCurrent = nullptr;
        return false;
    }
    *link = m_pCurrent = new CNameNode{s, std::string(key)};
    return false;
}

int CNameTree::GetValue() const
{
    return m_pCurrent ? m_pCurrent->nValue : 0;
}

void CNameTree::SetValue(int nValue)
{
    if (m_pCurrent)
        m_pCurrent->nValue = nValue;
}

// Iterative, so that a long chain of nodes cannot exhaust the stack.
void CNameTree::RemoveAll()
{
    std::vector<CNameNode*> pending;
    if (m_pRoot)
        pending.push_back(m_pRoot);
    while (!pending.empty()) {
        CNameNode* node = pending.back();
        pending.pop_back();
        if (node->pOther)
            pending.push_back(node->pOther);
        if (node->pLess)
            pending.push_back(node->pLess);
        delete node;
    }
    m_pRoot = nullptr;
    m_pCurrent = nullptr;
}
