#pragma once
// What goes into each pack: every picture by kind and resource name, with the function that
// draws it.

#include <QImage>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "game/Card.h"
#include "present/packs/PackFile.h"

namespace zendral::packs {

struct PackItem {
  PackKind kind;
  QString name;
  std::function<QImage()> draw;
};

struct PackPlan {
  std::string file;  // "KovCards06A.dll"
  std::vector<PackItem> items;
};

// The packs this tool makes, in the order it makes them.
std::vector<std::string> PackFiles();
// The plan of one pack; empty items for a file this tool does not make.
PackPlan PlanOf(const std::string& file);

}  // namespace zendral::packs
