// The Open Asset Import Library reading a file in a process of its own and nothing else:
// the baseline of the import benchmark (exit code 0 when the file was read).
#include <assimp/Importer.hpp>
#include <assimp/scene.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    Assimp::Importer importer;
    return importer.ReadFile(argv[1], 0) != nullptr ? 0 : 1;
}
