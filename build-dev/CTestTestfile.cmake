# CMake generated Testfile for 
# Source directory: /work/main
# Build directory: /work/main/build-dev
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("resources")
subdirs("survey")
subdirs("chart")
subdirs("windows")
subdirs("legend")
subdirs("app")
subdirs("docs")
subdirs("tests")
