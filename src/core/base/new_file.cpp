#include "core/base/new_file.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace quintaro {

FileHandle CreateNewFile(const std::string& p) {
    const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        std::error_code ec;
        const bool folder = std::filesystem::is_directory(std::filesystem::symlink_status(p, ec));
        errno = error == EEXIST && folder ? EISDIR : error;
        return nullptr;
    }
    FileHandle file(::fdopen(fd, "wb"));
    if (!file) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return file;
}

std::pair<std::filesystem::path, FileHandle> CreateFileBeside(const std::filesystem::path& target) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[8];
        const auto end =
            std::to_chars(suffix, suffix + sizeof suffix, random() & 0xFFFFFFF, 16).ptr;
        std::filesystem::path path = target.string() + "." + std::string(suffix, end) + ".part";
        FileHandle file = CreateNewFile(path.string());
        if (file || errno != EEXIST)
            return {std::move(path), std::move(file)};
    }
    return {};
}

std::string FileFailureReason(int error) {
    switch (error) {
    case ENOENT:
        return "Le chemin d'accès spécifié est introuvable";
    case EACCES:
    case EPERM:
    case EROFS:
        return "Accès refusé";
    case EISDIR:
        return "Un dossier porte déjà ce nom";
    case ENOSPC:
    case EDQUOT:
        return "Espace insuffisant sur le disque";
    default:
        return std::strerror(error);
    }
}

} // namespace quintaro
