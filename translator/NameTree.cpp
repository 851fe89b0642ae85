#include "NameTree.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

struct CNameTree::CNameNode {
    std::unique_ptr<unsigned char[]> scrambled;
    std::unique_ptr<char[]> key; // the key itself, to tell apart keys that scramble alike
    int nLength = 0;
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

std::vector<unsigned char> Scramble(std::string_view key)
{
    Lcg lcg;
    lcg.Seed(100);
    for (char c : key) {
        int r = lcg.Draw();
        lcg.Seed(uint32_t(int32_t(r) * int32_t(int8_t(c))));
    }
    std::vector<unsigned char> s(key.size());
    for (size_t i = 0; i < key.size(); ++i)
        s[i] = (unsigned char)key[i] ^ (unsigned char)(lcg.Draw() & 0xFF);
    return s;
}

} // namespace

CNameTree::~CNameTree()
{
    RemoveAll();
}

bool CNameTree::FindOrAdd(std::string_view key, bool bFindOnly)
{
    const int n = int(key.size());
    const std::vector<unsigned char> s = Scramble(key);
    CNameNode** link = &m_pRoot;
    while (CNameNode* node = *link) {
        if (node->nLength != n) {
            link = &node->pOther;
            continue;
        }
        if (std::memcmp(node->key.get(), key.data(), n) == 0) {
            m_pCurrent = node;
            return true;
        }
        // Equal scrambled bytes with a different key go to the other side.
        link = std::memcmp(s.data(), node->scrambled.get(), n) < 0 ? &node->pLess : &node->pOther;
    }
    if (bFindOnly) {
        m_pCurrent = nullptr;
        return false;
    }
    auto* node = new CNameNode;
    node->scrambled = std::make_unique<unsigned char[]>(n);
    node->key = std::make_unique<char[]>(n);
    // copy, not memcpy: the empty key has no bytes and may have no buffer
    std::copy(s.begin(), s.end(), node->scrambled.get());
    std::copy(key.begin(), key.end(), node->key.get());
    node->nLength = n;
    *link = node;
    m_pCurrent = node;
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
