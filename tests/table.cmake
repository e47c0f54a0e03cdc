# Tests of src/table
