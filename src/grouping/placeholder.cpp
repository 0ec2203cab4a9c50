int placeholder_grouping = 0;
