int placeholder_design = 0;
