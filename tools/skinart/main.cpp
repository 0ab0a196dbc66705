// korvane-skinart: draws the pictures of the internal skin "Graphite (internal)" and writes the
// skin folder (options file, master bitmap, glow images) that the build packs into the program.
//
// Usage: korvane-skinart OUTDIR [--options FILE] [--shadows DIR] [--preview DIR]
//        korvane-skinart --list

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/skinart/graphite_art.h"
#include "tools/skinart/image_files.h"
#include "tools/skinart/master_layout.h"
#include "tools/skinart/options_check.h"
#include "tools/skinart/preview.h"

#ifndef KORVANE_SKINART_OPTIONS
#define KORVANE_SKINART_OPTIONS "skins/graphite/Options.dat"
#endif

namespace fs = std::filesystem;
using namespace korvane;

namespace {

constexpr int kMasterWidth = 256;
constexpr const char* kMasterName = "MASTER.BMP";

struct Arguments {
    std::string outDir;
    std::string options = KORVANE_SKINART_OPTIONS;
    std::string shadowDir;
    std::string previewDir;
    bool list = false;
};

Arguments Parse(int argc, char** argv)
{
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw std::runtime_error(arg + " needs a value");
            }
            return argv[++i];
        };
        if (arg == "--options") {
            a.options = value();
        } else if (arg == "--shadows") {
            a.shadowDir = value();
        } else if (arg == "--preview") {
            a.previewDir = value();
        } else if (arg == "--list") {
            a.list = true;
        } else if (!arg.empty() && arg[0] == '-') {
            throw std::runtime_error("unknown option " + arg);
        } else if (a.outDir.empty()) {
            a.outDir = arg;
        } else {
            throw std::runtime_error("more than one output folder given");
        }
    }
    if (a.outDir.empty() && !a.list) {
        throw std::runtime_error("usage: korvane-skinart OUTDIR [--options FILE] [--shadows DIR] [--preview DIR]");
    }
    return a;
}

std::vector<unsigned char> ReadFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::vector<unsigned char>& data)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

int Run(const Arguments& args)
{
    std::vector<SkinPicture> pictures = graphite::MasterPictures();
    const int height = PlacePictures(pictures, kMasterWidth);
    if (args.list) {
        std::printf("; master bitmap %d x %d\n", kMasterWidth, height);
        for (const SkinPicture& p : pictures) {
            std::printf("%-16s %s\n", p.name.c_str(), p.OptionValue().c_str());
        }
        if (args.outDir.empty()) {
            return 0;
        }
    }
    const Raster master = ComposeMaster(pictures, kMasterWidth, height);
    const std::vector<graphite::SkinImageFile> glows = graphite::GlowImages();

    const std::vector<unsigned char> options = ReadFile(args.options);
    std::vector<std::string> files = {kMasterName};
    for (const auto& g : glows) {
        files.push_back(g.fileName);
    }
    const std::vector<std::string> problems =
        CheckOptionsAgainstArt(std::string(options.begin(), options.end()), pictures, files);
    if (!problems.empty()) {
        for (const std::string& p : problems) {
            std::fprintf(stderr, "korvane-skinart: %s: %s\n", args.options.c_str(), p.c_str());
        }
        std::fprintf(stderr, "korvane-skinart: run korvane-skinart --list for the values of the pictures\n");
        return 1;
    }

    const fs::path out(args.outDir);
    fs::create_directories(out);
    WriteFile(out / "Options.dat", options);
    WriteBmp24((out / kMasterName).string(), master);
    for (const auto& g : glows) {
        WritePngRgba((out / g.fileName).string(), g.pixels);
    }
    if (!args.shadowDir.empty()) {
        fs::create_directories(args.shadowDir);
        for (const auto& s : graphite::ShadowImages()) {
            WritePngRgba((fs::path(args.shadowDir) / s.fileName).string(), s.pixels);
        }
    }
    if (!args.previewDir.empty()) {
        fs::create_directories(args.previewDir);
        WritePreviews(args.previewDir, pictures, master, glows, graphite::ShadowImages());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(Parse(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "korvane-skinart: %s\n", e.what());
        return 1;
    }
}
