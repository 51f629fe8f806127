// DARA's program: the command line, Qt, the builder and its event loop.
#pragma once

namespace builder::qt {

int runDara(int argc, char** argv);

}  // namespace builder::qt
