#include "conversion/ImagePaths.h"

#include <gtest/gtest.h>

using namespace brindlecast;

TEST(ImagePaths, KindComesFromTheFileNameExtensionInUpperCase)
{
    const struct {
        const char* path;
        ImageKind kind;
    } cases[] = {
        { "/a/b.gif", ImageKind::Gif },
        { "/a/b.GiF", ImageKind::Gif },
        { "/a/b.jpg", ImageKind::Jpeg },
        { "/a/b.JPG", ImageKind::Jpeg },
        { "/a/b.jpeg", ImageKind::Unsupported },
        { "/a/b.png", ImageKind::Unsupported },
        { "/a/b", ImageKind::Unsupported },
        { "/a.gif/b", ImageKind::Unsupported }, // a dot in a folder name does not count
        { "/a/b.tar.gif", ImageKind::Gif },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageKindOf(c.path), c.kind) << c.path;
}

TEST(ImagePaths, EachImageMoviesAreNamedAfterTheirSourceAndFrame)
{
    const struct {
        const char* source;
        int frame;
        int frames;
        const char* movie;
        const char* exportName;
    } cases[] = {
        { "/pics/photo.jpg", 1, 1, "/pics/photo.swf", "photo" },
        { "/pics/logo.gif", 1, 1, "/pics/logo.swf", "logo" },
        { "/pics/anim.gif", 1, 3, "/pics/anim_F1.swf", "anim_F1" },
        { "/pics/anim.gif", 3, 3, "/pics/anim_F3.swf", "anim_F3" },
        { "/pics/walk.anim.gif", 2, 2, "/pics/walk.anim_F2.swf", "walk.anim_F2" },
        { "/my.pics/noext", 1, 1, "/my.pics/noext.swf", "noext" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EachImageMovieName(c.source, c.frame, c.frames), c.movie) << c.source;
        EXPECT_EQ(LibraryExportName(c.source, c.frame, c.frames), c.exportName) << c.source;
    }
}

TEST(ImagePaths, OutputResolutionCompletesFolderAndExtension)
{
    const struct {
        const char* output;
        const char* resolved;
    } cases[] = {
        { "movie", "/opt/bc/movie.swf" },
        { "movie.SWF", "/opt/bc/movie.swf" },
        { "movie.gif", "/opt/bc/movie.swf" },
        { "", "/opt/bc/.swf" },
        { "/out/m.swf", "/out/m.swf" },
        { "/out.d/m", "/out.d/m.swf" },
        { "sub/m.swf", "sub/m.swf" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveOutputPath(c.output, "/opt/bc/"), c.resolved) << c.output;
}
