// scripts/run's sample: starts numora.exe (NUMORA_EXE), types an amount into
// it as the window tests do, where no key can be lost, and prints the words
// it shows. The window stays open for a screenshot until standard input
// gives a line or ends. Fails when the words are not the expected ones.
// Usage: numora_sample TYPED EXPECTED
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <exception>
#include <string>

#include "control_ids.hpp"
#include "driver.hpp"
#include "win_text.hpp"

int wmain(int argc, wchar_t** argv) {
    using numora::win::to_utf8;
    if (argc != 3) {
        std::fputs("usage: numora_sample TYPED EXPECTED\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // UTF-8 and LF, as written
    try {
        const numora::e2e::App app;
        const std::wstring expected = argv[2];
        app.request(argv[1]);
        numora::e2e::wait_until([&] { return app.text(numora::ui::kLabel1) == expected; });
        const std::wstring shown = app.text(numora::ui::kLabel1);
        std::printf("Numora wrote: %s\n", to_utf8(shown).c_str());
        std::fflush(stdout);
        for (int c = 0; c != EOF && c != '\n';) c = std::getchar();
        if (shown == expected) return 0;
        std::fprintf(stderr, "numora_sample: expected \"%s\"\n", to_utf8(expected).c_str());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "numora_sample: %s\n", failure.what());
    }
    return 1;
}
