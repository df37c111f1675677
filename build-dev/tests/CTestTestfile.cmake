# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/build-dev/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("support")
subdirs("survey")
subdirs("chart")
subdirs("windows")
subdirs("legend")
subdirs("app")
subdirs("packaging")
