#include <gtest/gtest.h>

#include <pthread.h>

#include <string>

#include "Cp1251.h"
#include "NameTree.h"

TEST(NameTree, SecondInsertFindsTheFirstNode)
{
    CNameTree tree;
    EXPECT_FALSE(tree.FindOrAdd("KEY"));
    tree.SetValue(7);
    EXPECT_TRUE(tree.FindOrAdd("KEY"));
    EXPECT_EQ(tree.GetValue(), 7);
}

// Pairs whose scrambled bytes coincide, and keys that differ only in length.
TEST(NameTree, KeysThatScrambleAlikeStayDistinct)
{
    const std::string pairs[][2] = {
        {"F", std::string("Ь"_w)},
        {"DY", "IO"},
        {"CA", std::string("НЕ"_w)},
        {"AB", "ABC"},
    };
    for (const auto& pair : pairs) {
        CNameTree tree;
        tree.FindOrAdd(pair[0]);
        tree.SetValue(1);
        EXPECT_FALSE(tree.Find(pair[1])) << pair[1];
        EXPECT_FALSE(tree.FindOrAdd(pair[1])) << pair[1];
        tree.SetValue(2);
        ASSERT_TRUE(tree.Find(pair[0]));
        EXPECT_EQ(tree.GetValue(), 1) << pair[0];
        ASSERT_TRUE(tree.Find(pair[1]));
        EXPECT_EQ(tree.GetValue(), 2) << pair[1];
    }
}

TEST(NameTree, EmptyTreeAndRemoveAll)
{
    CNameTree tree;
    EXPECT_FALSE(tree.Find("A"));
    EXPECT_EQ(tree.GetValue(), 0);
    tree.FindOrAdd("A");
    tree.SetValue(5);
    tree.RemoveAll();
    EXPECT_FALSE(tree.Find("A"));
    tree.SetValue(9);
    EXPECT_FALSE(tree.FindOrAdd("A"));
    EXPECT_EQ(tree.GetValue(), 0);
}

TEST(NameTree, EmptyKeyIsAKey)
{
    CNameTree tree;
    EXPECT_FALSE(tree.FindOrAdd(""));
    tree.SetValue(3);
    EXPECT_TRUE(tree.Find(""));
    EXPECT_EQ(tree.GetValue(), 3);
}

namespace {

void* FillAndDestroy(void* count)
{
    // Keys of growing length all hang on one side: a chain as deep as the tree.
    CNameTree tree;
    std::string key;
    for (int i = 0; i < *static_cast<int*>(count); ++i) {
        key += 'x';
        tree.FindOrAdd(key);
    }
    return nullptr;
}

} // namespace

TEST(NameTree, DeletingALongChainNeedsLittleStack)
{
    int count = 6000;
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 128 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attr, FillAndDestroy, &count), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}
