# Tests of src/app and src/platform
