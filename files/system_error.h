#pragma once
// Why the system refused to read or write a file, in the engineer's words,
// from the error number a system call left: "磁盘已满", "没有写入权限",
// "是一个文件夹" …

#include <QString>

namespace platewise {

enum class FileUse { Read, Write };

QString reason_of(int error_number, FileUse use);

}  // namespace platewise
