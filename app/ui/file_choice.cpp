// Choosing a document's file, and the parts of its path the dialogs need.
#include "ui/file_choice.h"

namespace quarnel {

namespace {

std::string folderOf(const std::string &path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<std::string> remembered(std::optional<std::string> path, DocumentFolders &folders,
                                      DocumentKind kind) {
  if (path) folders.setFolder(kind, folderOf(*path));
  return path;
}

} // namespace

std::string fileNameOf(const std::string &path) {
  return path.substr(path.find_last_of('/') + 1);
}

std::string withFilterExtension(const std::string &path, const FileFilter &filter) {
  const std::string name = fileNameOf(path);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + filter.extension();
}

std::optional<std::string> chooseFileToOpen(UiServices &ui, const FileFilter &filter,
                                            DocumentFolders &folders, DocumentKind kind) {
  return remembered(ui.openFileDialog(filter, folders.folder(kind)), folders, kind);
}

std::optional<std::string> chooseFileToSave(UiServices &ui, const FileFilter &filter,
                                            DocumentFolders &folders, DocumentKind kind) {
  auto path = ui.saveFileDialog(filter, folders.folder(kind));
  if (path) path = withFilterExtension(*path, filter);
  return remembered(std::move(path), folders, kind);
}

} // namespace quarnel
