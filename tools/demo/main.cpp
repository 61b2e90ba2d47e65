// kvvelm-mkdemo: writes a demo installation of the suite under the folder given.
// --scale N multiplies the regular fee notes (for benchmarks).

#include <exception>
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/errors.hpp"
#include "tools/demo/demo_writer.hpp"
#include "tools/demo/fee_note_writer.hpp"

int main(int argc, char** argv) {
    kv::demo::FeeNoteOptions feeNotes;
    int folder = 1;
    if (argc == 4 && std::string(argv[1]) == "--scale") {
        feeNotes.scale = std::atoi(argv[2]);
        folder = 3;
    }
    if (argc != folder + 1 || feeNotes.scale < 1) {
        std::cerr << "Uso: kvvelm-mkdemo [--scale N] CARTELLA\n";
        return 64;
    }
    try {
        kv::demo::DemoWriter writer(argv[folder]);
        writer.WriteStartUpPart();
        kv::demo::WriteFeeNotePart(writer, feeNotes);
        std::cout << "Installazione dimostrativa scritta in " << writer.paths().root.string() << "\n";
        return 0;
    } catch (const kv::platform::RuntimeError& error) {
        std::cerr << "kvvelm-mkdemo: errore " << error.number() << " " << error.description() << "\n";
    } catch (const kv::platform::ProgramEnd& end) {
        std::cerr << "kvvelm-mkdemo: interrotto: " << end.reason() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "kvvelm-mkdemo: " << error.what() << "\n";
    }
    return 1;
}
