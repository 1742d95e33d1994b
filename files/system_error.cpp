#include "system_error.h"

#include <cerrno>

namespace platewise {

QString reason_of(int error_number, FileUse use) {
  const bool reading = use == FileUse::Read;
  switch (error_number) {
    case ENOSPC:
      return QStringLiteral("磁盘已满");
    case EDQUOT:
      return QStringLiteral("超出了磁盘配额");
    case EACCES:
    case EPERM:
      return reading ? QStringLiteral("没有读取权限") : QStringLiteral("没有写入权限");
    case EISDIR:
      return QStringLiteral("是一个文件夹");
    case EROFS:
      return QStringLiteral("所在的磁盘只能读不能写");
    case EPIPE:
      return QStringLiteral("接收输出的一方已经关闭（管道断开）");
    case ENOENT:
      return reading ? QStringLiteral("文件不存在") : QStringLiteral("所在的文件夹不存在");
    case ENOTDIR:
      return QStringLiteral("路径中有一项不是文件夹");
    case ENAMETOOLONG:
      return QStringLiteral("文件名太长");
    case ELOOP:
      return QStringLiteral("符号链接层数太多");
    case EIO:
      return QStringLiteral("磁盘或设备读写出错");
    case EFBIG:
      return QStringLiteral("文件超过了系统允许的大小");
    case EBADF:
      return QStringLiteral("已经关闭");
    case ENXIO:
    case ENODEV:
      return QStringLiteral("设备不存在或不能打开");
    case EBUSY:
    case ETXTBSY:
      return QStringLiteral("正被占用");
    case EMFILE:
    case ENFILE:
      return QStringLiteral("同时打开的文件太多");
    case ENOMEM:
      return QStringLiteral("内存不足");
    default:
      return QStringLiteral("系统错误%1").arg(error_number);
  }
}

}  // namespace platewise
