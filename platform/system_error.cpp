#include "platform/system_error.h"

#include <cerrno>

#include "platform/texts.h"

namespace vemrik {

namespace {

/// The program's own words for an errno value, or nothing when it has none.
const Text* wordsFor(int errnoValue) {
    static constexpr Text kMissing{"plik lub katalog nie istnieje", "the file or folder does not exist"};
    static constexpr Text kNoPermission{"brak uprawnień", "permission denied"};
    static constexpr Text kFolder{"to jest katalog, a nie plik", "this is a folder, not a file"};
    static constexpr Text kNotFolder{"część ścieżki nie jest katalogiem",
                                     "a part of the path is not a folder"};
    static constexpr Text kDiskFull{"brak miejsca na dysku", "no space left on the disk"};
    static constexpr Text kQuota{"przekroczony przydział miejsca na dysku", "the disk quota is exceeded"};
    static constexpr Text kReadOnly{"system plików jest tylko do odczytu", "the file system is read-only"};
    static constexpr Text kTooLarge{"plik przekroczył dopuszczalny rozmiar",
                                    "the file went over the size allowed"};
    static constexpr Text kLongName{"za długa nazwa pliku", "the file name is too long"};
    static constexpr Text kInputOutput{"błąd wejścia-wyjścia", "input/output error"};
    static constexpr Text kLinkLoop{"dowiązania symboliczne tworzą pętlę", "symbolic links form a loop"};
    switch (errnoValue) {
        case ENOENT:
            return &kMissing;
        case EACCES:
        case EPERM:
            return &kNoPermission;
        case EISDIR:
            return &kFolder;
        case ENOTDIR:
            return &kNotFolder;
        case ENOSPC:
            return &kDiskFull;
        case EDQUOT:
            return &kQuota;
        case EROFS:
            return &kReadOnly;
        case EFBIG:
            return &kTooLarge;
        case ENAMETOOLONG:
            return &kLongName;
        case EIO:
            return &kInputOutput;
        case ELOOP:
            return &kLinkLoop;
        default:
            return nullptr;
    }
}

}  // namespace

std::string systemErrorText(std::error_code error) {
    // std::filesystem reports in the system's category; its portable meaning is the errno value.
    const std::error_condition meaning = error.default_error_condition();
    if (meaning.category() == std::generic_category())
        if (const Text* words = wordsFor(meaning.value())) return say(*words);
    return say({"błąd systemu ({1})", "system error ({1})"}, {error.message()});
}

std::string systemErrorText(int errnoValue) {
    return systemErrorText(std::error_code(errnoValue, std::generic_category()));
}

}  // namespace vemrik
