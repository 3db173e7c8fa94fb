#include "cquorixapp.h"

int main(int argc, char** argv) {
  quorix::CQuorixApp application;
  return application.run(argc, argv);
}
