// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Replays inputs through the fuzz target without libFuzzer, as a test:
//   fuzz_combinazioni FOLDER|FILE...
// Like libFuzzer it starts with the empty input, then feeds every file, the
// files of each folder in name order. A failed check aborts, so does a
// crash under the sanitizers; an unreadable input or nothing to replay ends
// with status 1, so that a lost corpus cannot pass.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Ingressi(const fs::path& dove)
{
    if (!fs::is_directory(dove))
        return {dove};
    std::vector<fs::path> file;
    for (const fs::directory_entry& voce : fs::directory_iterator(dove))
        if (voce.is_regular_file())
            file.push_back(voce.path());
    std::sort(file.begin(), file.end());
    return file;
}

bool Rigioca(const fs::path& percorso)
{
    std::ifstream ingresso(percorso, std::ios::binary);
    const std::string dati((std::istreambuf_iterator<char>(ingresso)),
                           std::istreambuf_iterator<char>());
    if (!ingresso) {
        std::fprintf(stderr, "cannot read %s\n", percorso.c_str());
        return false;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::size_t rigiocati = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& percorso : Ingressi(argv[i])) {
            if (!Rigioca(percorso))
                return 1;
            ++rigiocati;
        }
    }
    if (rigiocati == 0) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", rigiocati);
    return 0;
}
