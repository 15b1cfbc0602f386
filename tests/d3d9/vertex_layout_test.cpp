// Vertex layouts of flexible vertex formats and vertex counts of primitives.
#include <gtest/gtest.h>

#include "vertex_layout.h"

namespace {

using d3d9::DescribeVertexFormat;
using d3d9::VertexLayout;
using d3d9::VerticesForPrimitives;

TEST(VertexLayoutTest, EveryPartLiesInItsPlace)
{
    VertexLayout layout;
    ASSERT_TRUE(DescribeVertexFormat(0x142, &layout));  // the effect quads' vertex: 24 bytes
    EXPECT_EQ(layout.size, 24u);
    EXPECT_EQ(layout.diffuse, 12);
    EXPECT_EQ(layout.texCoord[0], 16);
    ASSERT_TRUE(DescribeVertexFormat(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1, &layout));  // the sprite's
    EXPECT_EQ(layout.size, 28u);
    EXPECT_TRUE(layout.pretransformed);
    // Everything, with texture sets of 2, 3 (size bits 01 at bit 18) and 1 float (11 at bit 20).
    const DWORD fvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_PSIZE | D3DFVF_DIFFUSE | D3DFVF_SPECULAR |
                      (3 << D3DFVF_TEXCOUNT_SHIFT) | (1u << 18) | (3u << 20);
    ASSERT_TRUE(DescribeVertexFormat(fvf, &layout));
    EXPECT_EQ(layout.normal, 12);
    EXPECT_EQ(layout.diffuse, 28);  // after the 4-byte point size
    EXPECT_EQ(layout.specular, 32);
    EXPECT_EQ(layout.texCoord[1], 44);
    EXPECT_EQ(layout.texCoordFloats[1], 3);
    EXPECT_EQ(layout.texCoord[2], 56);
    EXPECT_EQ(layout.size, 60u);

    layout.size = 99;
    EXPECT_FALSE(DescribeVertexFormat(D3DFVF_DIFFUSE, &layout));  // no position
    EXPECT_FALSE(DescribeVertexFormat(D3DFVF_XYZ | D3DFVF_XYZRHW, &layout));
    EXPECT_FALSE(DescribeVertexFormat(D3DFVF_XYZ | 0x1000, &layout));  // a bit we do not know
    EXPECT_EQ(layout.size, 99u) << "a refused format leaves the layout alone";
}

TEST(VertexLayoutTest, VertexCountsOfEachPrimitiveType)
{
    EXPECT_EQ(VerticesForPrimitives(D3DPT_POINTLIST, 5), 5u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_LINELIST, 5), 10u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_LINESTRIP, 5), 6u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLELIST, 5), 15u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLESTRIP, 5), 7u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLEFAN, 2), 4u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLELIST, 0), 0u);
    EXPECT_EQ(VerticesForPrimitives(D3DPT_TRIANGLELIST, 0xFFFFFFFFu), 0u);
}

}  // namespace
